// Moves page members into controls and back, one binder per control.
#pragma once

#include <string>

namespace mirel {

class Dialog;

class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : m_dialog(dialog), m_bSave(saveAndValidate) {}

    // true: controls -> members; false: members -> controls.
    bool Saving() const { return m_bSave; }

    // Edit or static text; `maxChars` > 0 also becomes the edit's input limit.
    void Text(int id, std::string& value, int maxChars = 0);
    // Radio group starting at `firstId`: index of the checked button, -1 none.
    void Radio(int firstId, int& index);
    // Check box: 0 or 1.
    void Check(int id, int& value);
    // Drop-down list by index, -1 none.
    void ListIndex(int id, int& index);
    // Drop-down list by entry text; loading selects the entry with that text (exact, else the
    // first entry it begins, case ignored) and no entry for an empty text or no match.
    void ListText(int id, std::string& value);

  private:
    Dialog& m_dialog;
    bool m_bSave;
};

} // namespace mirel
