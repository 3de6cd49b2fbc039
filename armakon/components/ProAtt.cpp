#include "armakon/components/ProAtt.h"

#include "armakon/components/NumberText.h"

namespace armakon {

namespace {
constexpr char kSubValueSeparator = ';';

struct SubValueWriter {
  std::string text;
  bool empty = true;
};

struct SubValueReader {
  std::string text;
  std::size_t position = 0;
  bool exhausted = true;
};

SubValueWriter& writer() {
  thread_local SubValueWriter state;
  return state;
}

SubValueReader& reader() {
  thread_local SubValueReader state;
  return state;
}
}  // namespace

CProAttBase::CProAttBase(std::string name, std::string value)
    : name_(std::move(name)), value_(std::move(value)) {}

void CProAttBase::setSubStringReset() {
  SubValueWriter& state = writer();
  state.text.clear();
  state.empty = true;
}

void CProAttBase::setSubString(int value) {
  SubValueWriter& state = writer();
  if (!state.empty) state.text += kSubValueSeparator;
  state.text += formatC("%d", value);
  state.empty = false;
}

bool CProAttBase::setSubStringFlush(CProAttBase* attribute) {
  if (attribute == nullptr) return false;
  return setSubStringFlush(*attribute);
}

bool CProAttBase::setSubStringFlush(CProAttBase& attribute) {
  SubValueWriter& state = writer();
  attribute.value_ = std::move(state.text);
  state.text.clear();
  state.empty = true;
  return true;
}

void CProAttBase::getSubStringReset(std::string_view text) {
  SubValueReader& state = reader();
  state.text.assign(text);
  state.position = 0;
  // The empty text is the empty list, not a list with one empty field.
  state.exhausted = text.empty();
}

bool CProAttBase::getSubString(int& value, bool skipInvalid) {
  SubValueReader& state = reader();
  while (!state.exhausted) {
    std::size_t end = state.text.find(kSubValueSeparator, state.position);
    if (end == std::string::npos) {
      end = state.text.size();
      state.exhausted = true;
    }
    const std::string_view field =
        std::string_view(state.text).substr(state.position, end - state.position);
    state.position = end + 1;
    int parsed = 0;
    if (parseInt(field, parsed)) {
      value = parsed;
      return true;
    }
    if (!skipInvalid) state.exhausted = true;
  }
  return false;
}

}  // namespace armakon
