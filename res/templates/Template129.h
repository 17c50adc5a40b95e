// Control ids of dialog template 129, the contact data page.
#pragma once

namespace mirel::id129 {

constexpr int kIntro = 1244;        // the introduction
constexpr int kRequiredNote = 1245; // "fields marked * must be filled in"
constexpr int kDateLabel = 1249;
constexpr int kDate = 1002;
constexpr int kCompanyLabel = 1253;
constexpr int kCompany = 1003;
constexpr int kCustomerNoLabel = 1250;
constexpr int kCustomerNo = 1005;
constexpr int kContactLabel = 1254;
constexpr int kContact = 1004;
constexpr int kPhoneLabel = 1251;
constexpr int kPhone = 1006;
constexpr int kEmailLabel = 1255;
constexpr int kEmail = 1008;
constexpr int kFaxLabel = 1252;
constexpr int kFax = 1007;
constexpr int kNext = 1010;
constexpr int kBack = 1009; // labelled "Abbrechen", but goes back

} // namespace mirel::id129
