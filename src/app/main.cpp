// Entry point of VelloxFl.exe: the application object runs the program.
#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  VelloxApp app;
  return app.Run();
}
