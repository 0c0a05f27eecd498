#pragma once

#include <cstdint>

class QLineEdit;

// The dialogs' text-to-number conversions of an edit box. On success the
// target is written and the box gets the system's edit background; on
// failure the box turns light pink, the plain message box names the wanted
// type when ShowMessage is set, and the target keeps its value.
bool EditToInteger(QLineEdit& Edit, bool ShowMessage, std::int32_t& Target);
// Decimal notation with an optional exponent and the regional separator.
bool EditToFloat(QLineEdit& Edit, bool ShowMessage, long double& Target);
