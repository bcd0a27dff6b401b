#pragma once

namespace qx {

class LanguageTable;

// The program's own Polish wording of the message texts, set at start-up
// before any language file replaces them.
void SetBuiltInTexts(LanguageTable &texts);
// The help texts of the parameter fields and the names of the languages.
void AssignBuiltInHelpTexts(LanguageTable &texts);

namespace TextKey {
constexpr int ControllerFound = 10388;
constexpr int ControllerNotFound = 10389;
constexpr int NoReply = 10390;
constexpr int Petrol = 10408;
constexpr int Gas = 10409;
constexpr int ControllerLabel = 30000;
constexpr int NoController = 30001;
constexpr int ExitQuestion = 30005;
constexpr int ParametersWritten = 30006;
constexpr int ParametersRead = 30007;
constexpr int ParametersReset = 30008;
constexpr int PortOpenError = 30012;
} // namespace TextKey

} // namespace qx
