#pragma once
// The go-to dialog's rules: what a typed number means and which message refuses it.

#include <optional>
#include <string>
#include <vector>

#include "ground/ui_text.h"

namespace orvelis {

class SettingsStore;

inline constexpr const char* kGoToErrorCaption = ORVELIS_TR_NOOP("Core", "Ошибка ввода");
inline constexpr const char* kNotANumberText = ORVELIS_TR_NOOP("Core", "Введенное значение должно быть числом");
inline constexpr const char* kPageRangeText =
    ORVELIS_TR_NOOP("Core", "Номер страницы должен быть в диапазоне от 1 до 2097");
inline constexpr const char* kPaperRangeText =
    ORVELIS_TR_NOOP("Core", "Номер Документа должен быть в диапазоне от 1 до 196");
inline constexpr const char* kPagePrompt = ORVELIS_TR_NOOP("Core", "Введите номер страницы (1-2097) :");
inline constexpr const char* kPaperPrompt = ORVELIS_TR_NOOP("Core", "Введите номер Документа (1-196) :");

struct GoToResult {
  std::string key;    // "page" + n or "doc" + n when accepted
  std::string error;  // the message when refused
};

// `paper` false: a page 1..2097; true: a Paper 1..196. Numbers are rounded half to even; one
// too large for 16 bits gets the range message.
GoToResult GoToTarget(const std::string& text, bool paper);

// "fp_t": 0 page, 1 Paper; anything else is 0.
int ReadGoToKind(const SettingsStore& settings);

}  // namespace orvelis
