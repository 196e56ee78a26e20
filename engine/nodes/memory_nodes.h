#pragma once
// Reading a memory cell (mem[name]) and storing into one (value->mem[name]).

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeMemory : public CNode {
  public:
    // The argument must be one bracket group; its trimmed content names the cell.
    bool ParseArguments() override;
    // A missing cell reads as 0 with a warning.
    bool Evaluate(Complex& result) override;

    const std::u16string& CellName() const noexcept { return cellName_; }

  private:
    std::u16string cellName_;
};

class CNodeStore : public CNode {
  public:
    // The value, then a memory cell as the target: 1->x is a syntax error.
    bool ParseArguments() override;
    // Stores the value (creating the cell) and yields it.
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
