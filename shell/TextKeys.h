#pragma once

namespace qx {

// Every key of a replaceable text, by name. The numbers are those of the
// language files; nowhere else in the program is a key written as a number.
enum class TextKey : int {
    // Help texts of the parameter fields, in the order of the page's fields.
    HelpProbeType = 10350,
    HelpLambdaThreshold = 10351,
    HelpSwitchRpm = 10352,
    HelpTpsType = 10353,
    HelpTpsThreshold = 10354,
    HelpStepSpeedAboveTps = 10355,
    HelpStepSpeedBelowTps = 10356,
    HelpMaxGasRpm = 10357,
    HelpRpmKind = 10358,
    HelpRpmDelta = 10359,
    HelpStepMin = 10360,
    HelpStepMax = 10361,
    HelpStepStart = 10362,
    HelpLambdaLowTime = 10363,
    HelpLambdaHighTime = 10364,
    HelpStartDelay = 10365,
    HelpCutoffStepLevel = 10366,
    HelpCutoffRpm = 10367,
    HelpStepOpening = 10368,
    HelpSwitchDelay = 10369,
    HelpOperatingMode = 10370,
    HelpReserveSensorType = 10371,
    HelpSwitchTemperature = 10372,

    ControllerFound = 10388,
    ControllerNotFound = 10389,
    NoReply = 10390,
    Petrol = 10408,
    Gas = 10409,

    LanguagePolish = 20001,
    LanguageEnglish = 20002,
    LanguageCzech = 20003,
    LanguageRussian = 20004,
    LanguageItalian = 20005,

    ControllerLabel = 30000,
    NoController = 30001,
    FileError = 30002,
    LanguageFileError = 30003,
    NoLanguageFiles = 30004,
    ExitQuestion = 30005,
    ParametersWritten = 30006,
    ParametersRead = 30007,
    ParametersReset = 30008,
    StartDelayTooShort = 30009,
    LambdaThresholdTooLow = 30010,
    StepOpeningTooSmall = 30011,
    PortOpenError = 30012,
    StartPositionOutOfRange = 30013,
    StartPositionAtLimit = 30014,

    // Texts of our own, beyond the controller's traditional set.
    NoInstanceGuard = 40000,
    PrintError = 40001,
    // 40002 and 40003, 40004 are control texts (LanguageControls.cpp).
    AsFoundSaveFailed = 40005,
    CompareTitle = 40006,
    CompareParameter = 40007,
    ComparePage = 40008,
    CompareFile = 40009,
    CompareOnlyDifferences = 40010,
    CompareLoad = 40011,
    CompareClose = 40012,
    CompareSummary = 40013,
    AsFoundUnfilled = 40014,
    // Drive recording (40100 is the record button's tip).
    RecordingStarted = 40101,
    RecordingFailed = 40102,
    // The connection check (40120 is the menu item's and its button's text).
    CheckTitle = 40122,
    CheckPort = 40123,
    CheckDevice = 40124,
    CheckExists = 40125,
    CheckOpens = 40126,
    CheckController = 40127,
    CheckCure = 40128,
    CheckYes = 40129,
    CheckNo = 40130,
    CheckViaLink = 40131,
    CheckNthDevice = 40132,
    CheckNoDevice = 40133,
    CheckOpened = 40134,
    CheckBusy = 40135,
    CheckDenied = 40136,
    CheckOpenFailed = 40137,
    CheckVersion = 40138,
    CheckNoAnswer = 40139,
    CureOk = 40140,
    CureNoPort = 40141,
    CureDangling = 40142,
    CureDenied = 40143,
    CureBusy = 40144,
    CureBusyUnknown = 40145,
    CureFailed = 40146,
    CureNoController = 40147,
    // Writes held back because a value they need is not this car's.
    NotWrittenPageUnknown = 40500,
    NotWrittenFlagsUnknown = 40501,
    NotWrittenIgnitionUnknown = 40502,
    IgnitionNotSent = 40503,
    ThresholdNotSent = 40504,
    NotWrittenBadData = 40505,
};

// Whether a number of a language file line is one of the keys above. The keys
// whose texts live in the window's controls are in LanguageControls.cpp.
bool isTextKey(int key);

} // namespace qx
