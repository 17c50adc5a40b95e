// What the two exception pages share: a row of value edits copied from and to an array of the
// record, a remark edit, and the screenshot box that locks the value edits and asks for the
// screenshot in the info box. Next checks the values (unless a screenshot is sent), stores them
// and lets the page compose its exception block.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "pages/common/PageDlg.h"

namespace mirel {

class CExceptionPageDlg : public CPageDlg {
  public:
    struct Field {
        int control;
        int limit; // characters the edit accepts
    };

    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;
    void DoDataExchange(DataExchange& dx) override;

  protected:
    // `fields` are the edits by element of `recordValues` (an array of the record with at least
    // as many elements); the edits [firstLocked, endLocked) are locked while the box is ticked.
    CExceptionPageDlg(int templateId, ReportRecord* pRecord, std::span<const Field> fields,
                      std::string* recordValues, std::size_t firstLocked, std::size_t endLocked);

    void OnNext() override;
    void SaveToRecord() override;

    // The page's checks of the values; refuses and returns false at the first that fails.
    virtual bool ValuesAccepted() = 0;
    // Composes the exception block of the report from the stored values.
    virtual void BuildExceptionBlock() = 0;

    std::vector<std::string> m_astrValue; // as in the record
    int m_bScreenshot = 0;                // the screenshot check box

  private:
    void OnScreenshot();
    // Info text and enabled value fields follow the screenshot box.
    void ApplyScreenshotState();

    std::span<const Field> m_fields;
    std::string* m_pRecordValues;
    std::size_t m_nFirstLocked;
    std::size_t m_nEndLocked;
};

} // namespace mirel
