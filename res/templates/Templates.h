// One function per dialog template; each lives in its own file TemplateNNN.cpp.
#pragma once

#include "platform/Template.h"

namespace mirel {

const DialogTemplate& Template129(); // contact data page
const DialogTemplate& Template131(); // question page
const DialogTemplate& Template133(); // DOS exception page
const DialogTemplate& Template135(); // welcome page
const DialogTemplate& Template136(); // self-booting exception page
const DialogTemplate& Template138(); // version type page
const DialogTemplate& Template151(); // test and Vexometer start settings pages
const DialogTemplate& Template152(); // Windows environment page
const DialogTemplate& Template158(); // info environment page
const DialogTemplate& Template160(); // report page
const DialogTemplate& Template162(); // POST card page
const DialogTemplate& Template163(); // hardware page
const DialogTemplate& Template165(); // final page

} // namespace mirel
