// The one record of all answers and ready-made report blocks. The welcome page owns it; every
// page receives a pointer to it, fills its controls from it when shown and writes its answers
// back when it is left. Text is UTF-8 (every character one that cp1252 can hold).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace mirel {

// One level of the path through a question tree.
struct QuestionStep {
    int m_nChoice = 0;     // option index chosen at this level, -1 = none
    int m_nNode = 0;       // node shown at this level
    std::string m_strText; // statement describing the answer that led here
    std::string m_strNote; // the user's text at this level
};

struct ReportRecord {
    // Navigation, window placement, title.
    std::uint8_t m_bBack = 0; // 1 = the page was left with Back
    std::uint8_t m_bQuit = 0; // 1 = end the program
    Rect m_rcWindow;          // window rectangle of the page left last
    std::string m_strTitle;   // caption of every page and first line of the report
    std::string m_strVersionNo;

    // Contact data.
    std::string m_strDate;
    std::string m_strCustomerNo;
    std::string m_strPhone;
    std::string m_strFax;
    std::string m_strCompany;
    std::string m_strContact;
    std::string m_strEmail;

    // Product and version.
    int m_nProduct = 0; // 1..5
    int m_nVersion = 0; // 0..13, -1 = none

    // Start settings of the test and Vexometer products.
    int m_nTestStartDos = 0;     // 0 self-booting, 1 under DOS, -1 none
    int m_nTestOtherMedium = 0;  // 0 diskette, 1 other medium, -1 none
    int m_nTestReproducible = 0; // 0 identically, 1 similarly, 2 not, -1 none
    std::string m_strTestVersion;
    std::string m_strTestDosVersion;
    std::string m_strTestMedium;
    std::string m_strTestNote;
    int m_bTestFloppySame = 0;
    int m_bTestFromBatch = 0;
    int m_nTestDosType = 0; // list index 0..7, -1 none

    // Start environment of the Windows product.
    std::string m_strWinVersion;
    int m_nWinStartFrom = 0; // 0 hard disk, 1 other medium
    std::string m_strWinMedium;
    std::string m_strWinOs;
    std::string m_strWinIeVersion;
    std::string m_strWinServicePack;
    int m_nWinAdmin = 0; // 0 yes, 1 no, -1 none
    int m_bWinAdminSame = 0;
    std::string m_strWinBatch;
    std::string m_strWinNote;
    int m_nWinReproducible = 0; // 0 identically, 1 similarly, 2 not, -1 none

    // Start environment of the info product.
    int m_nInfoStartEnv = 0;   // 0 Windows, 1 DOS, 2 self-booting test product, -1 none
    int m_nInfoWinVersion = 0; // list index 0..10, -1 none
    std::string m_strInfoDetail;
    std::string m_strInfoVersion;
    std::string m_strInfoBatch;
    std::string m_strInfoNote;

    // POST card product.
    std::uint32_t m_dwPostAnswers = 0;
    int m_nPostNode = 0; // 0 = page not yet shown in this run
    std::string m_strOtherCard;
    std::string m_strPostSlot;
    std::string m_strPostBios;
    std::string m_strPostBiosDate;
    std::string m_strPostCodes;
    std::string m_strPostBeepCode;
    std::string m_strPostBootMessage;
    std::string m_strPostProblem;
    std::string m_strPostDarkLeds;
    std::string m_strPostOsSymptoms;
    std::string m_strPostCardText;

    // Fault narrowing and exceptions.
    std::array<QuestionStep, 10> m_aSteps{};
    int m_nExceptionPage = 0; // 0 none, 1 self-booting exception page, 2 DOS exception page
    std::string m_strQuestionText;
    std::array<std::string, 9> m_astrBootException{};
    int m_bScreenshot = 0;
    std::array<std::string, 19> m_astrDosException{};

    // Hardware: element 0 the report block, 1..17 the entered values.
    std::array<std::string, 18> m_astrHardware{};

    // Derived: product and version name as the report prints it.
    std::string m_strProductName;
};

// Stores the values that every new run of the wizard starts from; strings keep their contents.
void ResetForRun(ReportRecord& record);

} // namespace mirel
