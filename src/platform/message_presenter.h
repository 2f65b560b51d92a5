#pragma once
// The one way the program tells the user something or asks a yes/no question.
// Texts are the program's own single-byte (Windows-1252) strings; the pair "\n\r"
// in a text stands for one line break.
#include <string>

namespace nocturna {

enum class MessageKind { Information, Warning, Error };
// SaveDiscardCancel: unsaved work on the way out; Escape or the window's close button is Cancel.
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel };

struct Message {
  MessageKind kind = MessageKind::Information;
  std::string text;
  std::string caption;  // empty: the application's title
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer defaultAnswer = MessageAnswer::Ok;
  bool fixedPitch = false;  // a table whose columns are lined up with spaces
};

class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // Shows the message modally and returns the user's answer.
  virtual MessageAnswer Show(const Message& message) = 0;
};

}  // namespace nocturna
