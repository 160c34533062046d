#pragma once

#include "app/frm_AppMain.h"

// A pupil filling in the sheet on screen through its controls: typed texts, formula inputs, wheels turned,
// options chosen. Right answers are read from the sheet's expected answers; wrong ones are what a pupil
// might give instead (a typed row left empty, a wheel on another item, another option, a coefficient one
// too high).
enum class Answers { Right, Wrong };

void answerElements(ElementSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerSyllables(SyllableSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerSubstances(SubstanceSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerMolarMasses(MolarMassSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerAmounts(AmountSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerDefinitions(DefinitionSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerTerms(TermSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerEquations(EquationSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerCharges(ChargeSheet& sheet, const mdl_KolTest& state, Answers answers);
void answerYesNo(YesNoSheet& sheet, const mdl_KolTest& state, Answers answers);

// Answers the sheet of the page on screen.
void answerCurrentPage(frm_AppMain& form, Answers answers);

// The first of the accepted variants "*A*B*" of a typed row.
QString firstVariant(const QString& variants);
// The first of the accepted names "A|B" of a substance row.
QString firstName(const QString& names);
// The position of the wheel's item that reads as the text (trimmed, in capitals) or, for Wrong, of the
// first that does not; -1 when there is none.
int wheelPosition(const Wheel& wheel, const QString& text, Answers answers);
