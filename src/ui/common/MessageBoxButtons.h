#pragma once

class Constants;
class QMessageBox;

// Gives the standard buttons of a message box the words of the language file
// where it names them (Yes, No, OK, Cancel, Close); Qt's translation names
// the others.
void NameStandardButtons(QMessageBox& box, const Constants& strings);
