#pragma once
// Takes the engine's log messages on the calculation's thread and hands them to the
// interface thread in batches, so that thousands of messages cost the window a few
// deliveries rather than one event each.

#include <mutex>
#include <string>
#include <vector>

#include "engine/core/log.h"

class LogRelay final : public NCalculatorText::ILogReceiver {
  public:
    // Before a run starts. Statement positions are kept only for a text the editor shows.
    void Begin(bool keepStatementPositions);

    // On the calculation's thread.
    void AddMessage(const NCalculatorText::LogMessage& message) override;
    void ClearMessages() override;

    // On the interface thread: passes what arrived since the last call to `receiver`, if
    // any (ClearMessages first when the run cleared the log), and adds the positions of
    // the statements named to `statementStarts`.
    void DeliverTo(NCalculatorText::ILogReceiver* receiver, std::vector<int>& statementStarts);

  private:
    struct Message {
        std::int32_t kind;
        std::u16string_view operation; // a constant text of the engine
        std::u16string text;
        std::int32_t statementStart;
    };

    std::mutex mutex_;
    bool keepStatementPositions_ = true;
    bool cleared_ = false;
    std::vector<Message> pending_;
};
