// Opening the help file at a topic, for every window of the program: the
// Help menu, F1 and the dialogs' "&Help" buttons.
#pragma once

#include <windows.h>

#include <string>

// Opens the help at the topic of contextId (a command's or a dialog's help
// context, ui/help_topics.h; a context without a topic opens the first
// page). The HTML Help viewer shows the page from "VelloxFl.chm" beside the
// program, its caption naming the topic; where the viewer cannot be
// loaded or cannot open the file, the same page of the help on the web
// site opens in the default web browser instead. False when neither
// worked.
bool ShowHelpTopic(HWND owner, int contextId);

// A dialog's answer to WM_HELP (F1 while it or one of its controls has the
// focus): the help at the dialog's topic. True when msg was WM_HELP.
bool AnswerHelpMessage(UINT msg, HWND dialog, int contextId);

// Closes the viewer's windows, if the help was shown; the program does so
// before it ends, as the viewer asks of the programs that use it.
void CloseHelp();

// The help file's full path: the program's folder and "VelloxFl.chm".
std::string HelpFilePath();
