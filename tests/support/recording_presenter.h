#pragma once
// A message presenter for tests: records every message and answers from a script.
#include <deque>
#include <vector>

#include "platform/message_presenter.h"

namespace nocturna::testing {

class RecordingPresenter : public MessagePresenter {
 public:
  MessageAnswer Show(const Message& message) override {
    shown.push_back(message);
    if (!scriptedAnswers.empty()) {
      const MessageAnswer answer = scriptedAnswers.front();
      scriptedAnswers.pop_front();
      return answer;
    }
    return message.defaultAnswer;
  }

  std::vector<Message> shown;
  std::deque<MessageAnswer> scriptedAnswers;  // answers in order; then each message's default
};

}  // namespace nocturna::testing
