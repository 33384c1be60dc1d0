#pragma once
// A UserInterface that records what the core shows, the progress it reports
// and which objects it asks to edit; installed for the lifetime of the object.

#include <string>
#include <vector>

#include "UserInterface.h"

class RecordingUserInterface : public UserInterface {
    UserInterface* const previous_ = installUserInterface(this);

public:
    ~RecordingUserInterface() override { installUserInterface(previous_); }

    // Message boxes as "caption: text", with their icons alongside.
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override
    { messages.push_back(caption + ": " + text); icons.push_back(icon); }
    void logError(const std::string& text) override { errors.push_back(text); }
    // Progress calls in order: -1 for begin, -2 for end, else the value.
    void progressBegin() override { progress.push_back(-1); }
    void progressUpdate(int percent) override { progress.push_back(percent); }
    void progressEnd() override { progress.push_back(-2); }

    using UserInterface::edit;
    void edit(CMain& o) override { edited.push_back(&o); }
    void edit(CJib& o) override { edited.push_back(&o); }
    void edit(CSpi& o) override { edited.push_back(&o); }
    void edit(CHsf& o) override { edited.push_back(&o); }
    void edit(CRig& o) override { edited.push_back(&o); }
    void edit(CKeuningHYDRO& o) override { edited.push_back(&o); }
    void edit(Sulnarsetup& o) override { edited.push_back(&o); }

    std::vector<std::string> messages, errors;
    std::vector<MessageIcon> icons;
    std::vector<int> progress;
    std::vector<const void*> edited;
};
