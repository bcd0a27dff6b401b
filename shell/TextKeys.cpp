#include "TextKeys.h"

#include <algorithm>
#include <array>

namespace qx {

bool isTextKey(int key)
{
    using K = TextKey;
    static constexpr std::array keys = {
        K::HelpProbeType,          K::HelpLambdaThreshold,   K::HelpSwitchRpm,          K::HelpTpsType,
        K::HelpTpsThreshold,       K::HelpStepSpeedAboveTps, K::HelpStepSpeedBelowTps,  K::HelpMaxGasRpm,
        K::HelpRpmKind,            K::HelpRpmDelta,          K::HelpStepMin,            K::HelpStepMax,
        K::HelpStepStart,          K::HelpLambdaLowTime,     K::HelpLambdaHighTime,     K::HelpStartDelay,
        K::HelpCutoffStepLevel,    K::HelpCutoffRpm,         K::HelpStepOpening,        K::HelpSwitchDelay,
        K::HelpOperatingMode,      K::HelpReserveSensorType, K::HelpSwitchTemperature,  K::ControllerFound,
        K::ControllerNotFound,     K::NoReply,               K::Petrol,                 K::Gas,
        K::LanguagePolish,         K::LanguageEnglish,       K::LanguageCzech,          K::LanguageRussian,
        K::LanguageItalian,        K::ControllerLabel,       K::NoController,           K::FileError,
        K::LanguageFileError,      K::NoLanguageFiles,       K::ExitQuestion,           K::ParametersWritten,
        K::ParametersRead,         K::ParametersReset,       K::StartDelayTooShort,     K::LambdaThresholdTooLow,
        K::StepOpeningTooSmall,    K::PortOpenError,         K::StartPositionOutOfRange, K::StartPositionAtLimit,
        K::NoInstanceGuard,        K::PrintError,            K::AsFoundSaveFailed,      K::CompareTitle,
        K::CompareParameter,       K::ComparePage,           K::CompareFile,            K::CompareOnlyDifferences,
        K::CompareLoad,            K::CompareClose,          K::CompareSummary,         K::AsFoundUnfilled,
        K::RecordingStarted,       K::RecordingFailed,
        K::CheckTitle, K::CheckPort, K::CheckDevice, K::CheckExists,
        K::CheckOpens, K::CheckController, K::CheckCure, K::CheckYes,
        K::CheckNo, K::CheckViaLink, K::CheckNthDevice, K::CheckNoDevice,
        K::CheckOpened, K::CheckBusy, K::CheckDenied, K::CheckOpenFailed,
        K::CheckVersion, K::CheckNoAnswer, K::CureOk, K::CureNoPort,
        K::CureDangling, K::CureDenied, K::CureBusy, K::CureBusyUnknown,
        K::CureFailed, K::CureNoController,
        K::NotWrittenPageUnknown, K::NotWrittenFlagsUnknown, K::NotWrittenIgnitionUnknown, K::IgnitionNotSent,
        K::ThresholdNotSent, K::NotWrittenBadData,
        K::WriteErrorCaption, K::WrongData, K::NoNumbers, K::StepSpeedRange,
        K::LambdaTimesCaption, K::LambdaTimesLimits, K::LambdaTimesSum, K::InformationCaption,
        K::AlreadyRunning, K::BadSkinLine, K::HelpContents, K::HelpBack,
        K::HelpForward, K::HelpUnreadable,
        K::ViewerTitle, K::ViewerSpeed, K::ViewerLambda, K::ViewerTps,
        K::ViewerStepper, K::ViewerTemperature, K::ViewerGasLevel, K::ViewerFuel,
        K::ViewerDuration, K::ViewerOnGas, K::ViewerLambdaOnGas, K::ViewerLambdaOnPetrol,
        K::ViewerStepperRange, K::ViewerHighestRpm, K::ViewerNoReply, K::ViewerNone,
        K::ViewerOpen, K::ViewerExport, K::ViewerFit, K::ViewerFilter,
        K::ViewerExportFilter, K::ViewerBadRecording, K::ViewerExportFailed, K::ViewerKeys,
    };
    return std::find(keys.begin(), keys.end(), TextKey(key)) != keys.end();
}

} // namespace qx
