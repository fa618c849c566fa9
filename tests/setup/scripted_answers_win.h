// Answers the program's message boxes in a test: each question gets the
// next scripted button, and every box shown is recorded by its caption.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "util/messages.h"

class ScriptedAnswers {
 public:
  explicit ScriptedAnswers(std::deque<int> answers) {
    answers_ = std::move(answers);
    asked_.clear();
    captions_.clear();
    SetMessageBoxHandler(Answer);
  }
  ~ScriptedAnswers() {
    SetMessageBoxHandler(nullptr);
    beforeAnswer = nullptr;
  }
  ScriptedAnswers(const ScriptedAnswers&) = delete;
  ScriptedAnswers& operator=(const ScriptedAnswers&) = delete;

  // Captions and texts of the boxes shown, in order.
  const std::vector<std::string>& Captions() const { return captions_; }
  const std::vector<std::string>& Texts() const { return asked_; }
  // Called before a box's answer is given (e.g. to unlock a file).
  static inline void (*beforeAnswer)() = nullptr;

 private:
  static int Answer(void*, const std::string& text, const std::string& caption, unsigned) {
    captions_.push_back(caption);
    asked_.push_back(text);
    if (beforeAnswer) beforeAnswer();
    if (answers_.empty()) return 2;  // IDCANCEL: an unexpected question stops the work
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  static inline std::deque<int> answers_;
  static inline std::vector<std::string> captions_;
  static inline std::vector<std::string> asked_;
};
