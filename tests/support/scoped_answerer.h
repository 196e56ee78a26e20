#pragma once
// Puts a scripted answerer in place of a dialog for the life of a scope and the one before
// it back afterwards, also when a failed check leaves the test function early.

#include <type_traits>
#include <utility>

template <class Answerer> class ScopedAnswerer {
  public:
    using Setter = Answerer (*)(Answerer);

    ScopedAnswerer(Setter set, std::type_identity_t<Answerer> answerer)
        : set_(set), previous_(set(std::move(answerer))) {}
    ~ScopedAnswerer() { set_(std::move(previous_)); }
    ScopedAnswerer(const ScopedAnswerer&) = delete;
    ScopedAnswerer& operator=(const ScopedAnswerer&) = delete;

    // Answers from here on with another script, still restoring the first one's predecessor.
    void Replace(Answerer answerer) { set_(std::move(answerer)); }

  private:
    Setter set_;
    Answerer previous_;
};
