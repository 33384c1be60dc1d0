#pragma once
// A UserInterface that records what the core shows, the progress it reports
// and which objects it asks to edit; installed for the lifetime of the object.

#include <string>
#include <vector>

#include "UserInterface.h"

class RecordingUserInterface : public UserInterface {
public:
    RecordingUserInterface() : previous_(installUserInterface(this)) {}
    ~RecordingUserInterface() override { installUserInterface(previous_); }
    RecordingUserInterface(const RecordingUserInterface&) = delete;
    RecordingUserInterface& operator=(const RecordingUserInterface&) = delete;

    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        messages.push_back(caption + ": " + text);
        icons.push_back(icon);
    }
    void logError(const std::string& text) override { errors.push_back(text); }
    void progressBegin() override { progress.push_back(-1); }
    void progressUpdate(int percent) override { progress.push_back(percent); }
    void progressEnd() override { progress.push_back(-2); }

    using UserInterface::edit;
    void edit(CMain& object) override { edited.push_back(&object); }
    void edit(CJib& object) override { edited.push_back(&object); }
    void edit(CSpi& object) override { edited.push_back(&object); }
    void edit(CHsf& object) override { edited.push_back(&object); }
    void edit(CRig& object) override { edited.push_back(&object); }
    void edit(CKeuningHYDRO& object) override { edited.push_back(&object); }
    void edit(Sulnarsetup& object) override { edited.push_back(&object); }

    // Message boxes as "caption: text", with their icons alongside.
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
    std::vector<std::string> errors;
    // Progress calls in order: -1 for begin, -2 for end, else the value.
    std::vector<int> progress;
    std::vector<const void*> edited;

private:
    UserInterface* previous_;
};
