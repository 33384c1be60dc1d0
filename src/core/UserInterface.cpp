#include "UserInterface.h"

#include <iostream>

namespace {
UserInterface fallbackInterface;
UserInterface* installedInterface = nullptr;
}

void UserInterface::showMessage(const std::string& text, const std::string& caption, MessageIcon /*icon*/)
{
    std::cerr << caption << ": " << text << '\n';
}

void UserInterface::logError(const std::string& text)
{
    std::cerr << "Error: " << text << '\n';
}

UserInterface& userInterface()
{
    return installedInterface ? *installedInterface : fallbackInterface;
}

UserInterface* installUserInterface(UserInterface* ui)
{
    UserInterface* previous = installedInterface;
    installedInterface = ui;
    return previous;
}
