#pragma once
// A user interface for tests: records every message and log line instead of
// showing it, and installs itself for the lifetime of the object.

#include <string>
#include <vector>

#include "UserInterface.h"

class RecordingUserInterface : public UserInterface {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    RecordingUserInterface() : previous_(installUserInterface(this)) {}
    ~RecordingUserInterface() override { installUserInterface(previous_); }
    RecordingUserInterface(const RecordingUserInterface&) = delete;
    RecordingUserInterface& operator=(const RecordingUserInterface&) = delete;

    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        messages.push_back({text, caption, icon});
    }
    void logError(const std::string& text) override { logLines.push_back(text); }
    void progressBegin() override { progress.push_back(-1); }
    void progressUpdate(int percent) override { progress.push_back(percent); }
    void progressEnd() override { progress.push_back(-2); }

    std::vector<Message> messages;
    std::vector<std::string> logLines;
    // Progress calls in order: -1 for begin, -2 for end, else the value.
    std::vector<int> progress;

private:
    UserInterface* previous_;
};
