#pragma once

#include "platform/menu.h"

// The program's menu bar: File, Edit, Window and Help. Built once, on first use of the accessor,
// and shared by the application and the windows that show a menu bar.
class Menu : public MenuBar {
 public:
  Menu();

 private:
  void Untitled1();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Window
  void Untitled4();  // Help
};

// The single instance.
Menu& TheMenu();
// Releases it at the end of the run.
void ReleaseMenu();
