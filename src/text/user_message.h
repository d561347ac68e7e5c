#pragma once

#include <string>

namespace zeruda {

enum class MessageIcon { None, Information, Warning };

// A message the front end must show in a modal box: the program's own text and
// caption (GBK), its icon, and the form name of the control that gets the focus
// afterwards (GBK; empty when none).
struct UserMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  std::string focus;
};

}  // namespace zeruda
