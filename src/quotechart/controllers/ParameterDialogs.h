#pragma once
// The popup menu's two parameter dialogs, created for each showing: the
// custom average's period (frmCustomMAperiods) and the envelopes' period and
// percentage (frmEnvelopes). OK stores each field in turn as a 16-bit whole
// number, halves to even; a field that is no number says "Numeric expression
// required" and keeps the dialog open with the focus in Text1, one outside 16
// bits keeps it open silently. Cancel changes nothing. No range check. A
// parent destroyed while a dialog is open takes the dialog with it.

#include <cstdint>

class QWidget;

namespace quotechart {

void askCustomMAPeriod(QWidget *parent, int16_t &custom_ma_period);
void askEnvelopeSettings(QWidget *parent, int16_t &envelope_period, int16_t &envelope_percent);

}   // namespace quotechart
