#include "model/line.h"

namespace ovrimo::model {

std::vector<std::uint16_t> frames_of(std::string_view bytes) {
  std::vector<std::uint16_t> frames;
  frames.reserve(bytes.size());
  for (char c : bytes) frames.push_back(static_cast<std::uint8_t>(c));
  return frames;
}

const char* to_string(LineByte::Outcome outcome) {
  switch (outcome) {
    case LineByte::Outcome::InFlight: return "in flight";
    case LineByte::Outcome::Delivered: return "delivered";
    case LineByte::Outcome::Corrupted: return "corrupted";
    case LineByte::Outcome::Overrun: return "overrun";
    case LineByte::Outcome::Dropped: return "dropped";
    case LineByte::Outcome::Aborted: return "aborted";
  }
  return "?";
}

void DeviceLine::send_to_device(std::string_view bytes, Time earliest, LineFormat format) {
  const std::vector<std::uint16_t> frames = frames_of(bytes);
  send_to_device(std::span<const std::uint16_t>(frames), earliest, format);
}

}  // namespace ovrimo::model
