// The start settings page of the test product: how and from which medium the program was
// started (self-booting or under DOS with DOS version and type), its version number, whether the
// fault is reproducible and free remarks. The Vexometer product shows the same page; its few
// differences are data (StartProduct) chosen by CVexometerStartDlg.
#pragma once

#include <span>
#include <string>

#include "pages/common/PageDlg.h"

namespace mirel {

// Explanations of the three reproducibility answers, shown in the info box when one is clicked.
// The start pages of the test, Vexometer and Windows products use the same three texts.
extern const char* const kReproducibleHelp[3];

// What the start page changes for one version of a product.
struct StartVersion {
    enum class Batch {
        UserChoice, // the user ticks it, possible only under DOS
        ForcedOff,  // disabled and unticked
        ForcedOn,   // disabled and ticked
    };
    int version;             // m_nVersion
    const char* header;      // text of id151::kHeader
    Batch batch;             // check box id151::kFromBatch "started from an external batch"
    bool fixedStart;         // self-booting from diskette, nothing else can be chosen
    bool checkNumberFormat;  // the version number must look like "#.##*"
    const char* versionHelp; // info box text for the version number field; nullptr = none
};

// What differs between the products that share the start page.
struct StartProduct {
    const char* className;
    const char* versionLabel;   // text of id151::kVersionLabel
    const char* mediumQuestion; // text of id151::kMediumQuestion
    bool hasBatch;              // check box id151::kFromBatch exists for this product
    const char* noVersionText;  // refusal text when the version number is empty
    const char* noMediumText;   // refusal text when the other medium is not named
    std::span<const StartVersion> versions;
    StartVersion otherVersion; // for a version index the product does not have: template header kept
};

class CTestStartDlg : public CPageDlg {
  public:
    explicit CTestStartDlg(ReportRecord* pRecord);
    const char* ClassName() const override { return m_product.className; }

    void DoDataExchange(DataExchange& dx) override;
    void OnShowWindow() override;
    void OnCommand(int id, Notify code) override;

  protected:
    CTestStartDlg(ReportRecord* pRecord, const StartProduct& product);

    void OnNext() override;
    void SaveToRecord() override;

  private:
    // The row of the record's version (otherVersion when the product does not have it).
    const StartVersion& Version() const;
    void ShowDosBlock(bool show);
    void OnSelfBooting();
    void OnUnderDos();
    void ShowVersionHelp(Notify code);
    void ShowDosVersionHelp(Notify code);
    void TrimTexts();

    const StartProduct& m_product;

    int m_nStartDos = -1;     // 0 self-booting, 1 under DOS
    int m_nOtherMedium = -1;  // 0 diskette, 1 other medium
    int m_nReproducible = -1; // 0 identically, 1 similarly, 2 not
    std::string m_strMedium;
    int m_bFloppySame = 0;
    int m_bFromBatch = 0;
    std::string m_strVersion;
    std::string m_strDosVersion;
    int m_nDosType = -1;
    std::string m_strNote;
};

} // namespace mirel
