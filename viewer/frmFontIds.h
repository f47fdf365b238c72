// Control ids of the viewer window, shared by the files of its pages.
#pragma once

enum frmFontId : int {
  kIdTabPage = 100,
  kIdAbout,
  kIdHelp,
  kIdClose,
  kIdStatusBar,
  kIdPrint = 200,
  kIdInstall,
  kIdSlider1,
  kIdSample,
  kIdCommon,
};
