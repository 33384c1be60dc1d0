#pragma once
// A UserInterface that records what the core shows and which objects it asks
// to edit; installed for the lifetime of the object.

#include <string>
#include <vector>

#include "UserInterface.h"

class RecordingUserInterface : public UserInterface {
public:
    RecordingUserInterface() : previous_(installUserInterface(this)) {}
    ~RecordingUserInterface() override { installUserInterface(previous_); }
    RecordingUserInterface(const RecordingUserInterface&) = delete;
    RecordingUserInterface& operator=(const RecordingUserInterface&) = delete;

    void showMessage(const std::string& text, const std::string& caption, MessageIcon /*icon*/) override
    {
        messages.push_back(caption + ": " + text);
    }
    void logError(const std::string& text) override { errors.push_back(text); }

    using UserInterface::edit;
    void edit(CMain& object) override { edited.push_back(static_cast<const void*>(&object)); }
    void edit(CJib& object) override { edited.push_back(static_cast<const void*>(&object)); }
    void edit(CSpi& object) override { edited.push_back(static_cast<const void*>(&object)); }
    void edit(CRig& object) override { edited.push_back(static_cast<const void*>(&object)); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<const void*> edited;

private:
    UserInterface* previous_;
};
