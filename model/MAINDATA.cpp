#include "model/MAINDATA.h"

TESetCTRL ESet;
TShowCTRL ShowCTRL;
bool ShowCTRLChanged = false;
std::uint8_t MatrixSelect = 0;
TNewESetCTRL NewESetCTRL;
TESetCellCTRL ESetCellCTRL;

const char* const MatrixSelTexts[2] = {" Исходная сисиема", " Гаусова система"};
const char* const CoordsTexts[2] = {" Декартовы коорд.", " Полярные коорд."};
const char* const ModeTexts[3] = {" Полная форма", " Только Re / Module", " Только Im / Phase"};
const char* const PrecisionTexts[4] = {" FIX 6 цифр", " FIX 8 цифр", " EXP 6 цифр", " EXP 8 цифр"};
const char* const PhaseUnitTexts[2] = {" Радианы", " Градусы"};
