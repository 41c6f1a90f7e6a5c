#pragma once
// What the person sees of a transfer they started or agreed to (a busy window, its progress): made
// when it begins and gone when it ends, however it ends. The windows provide it; the exchange only
// says when and how far.
#include <cstddef>
#include <functional>
#include <memory>

namespace core {

class TransferFeedback {
 public:
  virtual ~TransferFeedback() = default;
  // `applied` of the `all` terms of a downloaded update have gone into the handbook.
  virtual void TermsApplied(std::size_t applied, std::size_t all) = 0;
};

using TransferFeedbackMaker = std::function<std::unique_ptr<TransferFeedback>()>;

}  // namespace core
