#pragma once

class QWidget;

// The help context of a control: the number of its section in the help
// document (anchor "k<kontekst>"). A control without one takes that of the
// nearest parent that has one; 0 means none at all.
void UstawKontekstPomocy(QWidget* w, int kontekst);
int KontekstPomocy(const QWidget* w);
