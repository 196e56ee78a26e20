#pragma once
// What the engine hands to the log pane (or to the command-line program's stderr).

#include <cstdint>
#include <string_view>

namespace NCalculatorText {

enum class LogKind : std::int32_t { Warning = 0, Error = 1 };

struct LogMessage {
    std::int32_t kind;             // 1 error, 0 warning
    std::u16string_view operation; // display name of the running operation; owned by the engine
    std::u16string_view text;      // valid only during AddMessage: the receiver copies what it keeps
    // Where the statement being calculated begins in the text Calculate returns; -1 when
    // the message belongs to no statement.
    std::int32_t statementStart = -1;
};

class ILogReceiver {
  public:
    virtual void AddMessage(const LogMessage& message) = 0;
    virtual void ClearMessages() = 0;

  protected:
    ~ILogReceiver() = default;
};

} // namespace NCalculatorText
