#include "ResetValues.h"

namespace qx {

const QList<QPair<Param, QString>> &resetValues()
{
    static const QList<QPair<Param, QString>> values = {
        {P::ProbeVariant, "0"},       {P::LambdaThreshold, "0,50"},  {P::SwitchRpm, "2000"},
        {P::TpsType, "0"},            {P::TpsThresholdVolts, "1,25"}, {P::StepSpeedAboveTps, "3"},
        {P::StepSpeedBelowTps, "6"},  {P::MaxGasRpm, "7000"},        {P::MaxGasRpmOff, "0"},
        {P::RpmKind, "0"},            {P::RpmDelta, "500"},          {P::StepMin, "10"},
        {P::StepMax, "200"},          {P::StepStart, "100"},         {P::LambdaLowTime, "500"},
        {P::LambdaHighTime, "500"},   {P::BoschProbe, "0"},          {P::StartDelay, "1"},
        {P::CutoffOn, "0"},           {P::CutoffStepLevel, "30"},    {P::CutoffRpm, "1500"},
        {P::StepOpening, "30"},       {P::SwitchDelay, "100"},       {P::OperatingMode, "0"},
        {P::ReserveSensorType, "1"},  {P::SwitchTemperature, "0"},   {P::TempSensorBox, "0"},
        {P::AnalogThreshold, "1"},
    };
    return values;
}

ParameterSet resetParameterSet()
{
    ParameterSet set;
    for (const auto &[param, text] : resetValues())
        set.setText(param, text);
    set.TempSensorOn = 0;
    return set;
}

} // namespace qx
