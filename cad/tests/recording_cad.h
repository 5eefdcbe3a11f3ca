#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/cad_automation.h"
#include "cad/transformer_model_builder.h"

namespace kestrava::cad::testing {

// Every request a build makes, in order, as short texts ("box", "color? 3", "command ...").
using CallLog = std::vector<std::string>;

// A solid creation as the fake document received it.
struct RecordedSolid {
    bool isBox = false;
    Point3 centre;
    double sizeX = 0, sizeY = 0, height = 0;  // a cylinder's radius is in sizeX
};

class RecordingSolid : public CadSolid {
  public:
    RecordingSolid(CallLog& log, int id) : log_(log), id_(id) {}
    CadResult<int> Color() const override {
        log_.push_back("color? " + std::to_string(id_));
        return color;
    }
    CadStatus SetColor(int colorIndex) override {
        log_.push_back("color " + std::to_string(id_) + " " + std::to_string(colorIndex));
        color = colorIndex;
        return {};
    }
    CadStatus SetVisible(bool isVisible) override {
        log_.push_back("visible " + std::to_string(id_) + " " + (isVisible ? "1" : "0"));
        visible = isVisible;
        return {};
    }
    CadStatus SetPart(ModelPart solidPart) override {
        part = solidPart;
        return {};
    }

    int color = 256;  // unset, as a fresh solid would read
    bool visible = true;
    std::optional<ModelPart> part;

  private:
    CallLog& log_;
    int id_;
};

// Records every request; the box creations whose 1-based number is in 'failingBoxes' fail.
class RecordingDocument : public CadDocument {
  public:
    explicit RecordingDocument(CallLog& log) : log_(log) {}

    CadResult<SolidHandle> AddBox(Point3 origin, double length, double width,
                                  double height) override {
        ++boxCount_;
        log_.push_back("box");
        for (int failing : failingBoxes) {
            if (failing == boxCount_) return Fail(CadError{-1, "box refused"});
        }
        return Add({true, origin, length, width, height});
    }
    CadResult<SolidHandle> AddCylinder(Point3 centre, double radius, double height) override {
        log_.push_back("cylinder");
        return Add({false, centre, radius, 0, height});
    }
    CadResult<Viewport> ActiveViewport() const override {
        log_.push_back("viewport?");
        return viewport;
    }
    CadStatus SetActiveViewport(const Viewport& v) override {
        log_.push_back("viewport " + std::to_string(v.viewDirection.x) + " " +
                       std::to_string(v.viewDirection.y) + " " + std::to_string(v.viewDirection.z));
        viewport = v;
        return {};
    }
    CadStatus SendCommand(std::string_view command) override {
        log_.push_back("command " + std::string(command));
        return {};
    }
    CadStatus SaveAs(const std::filesystem::path& path) override {
        log_.push_back("save " + path.string());
        return {};
    }

    std::vector<int> failingBoxes;
    std::vector<RecordedSolid> created;
    std::vector<std::shared_ptr<RecordingSolid>> solids;
    Viewport viewport;

  private:
    SolidHandle Add(RecordedSolid solid) {
        created.push_back(solid);
        solids.push_back(std::make_shared<RecordingSolid>(log_, static_cast<int>(solids.size())));
        return solids.back();
    }

    CallLog& log_;
    int boxCount_ = 0;
};

class RecordingApplication : public CadApplication {
  public:
    explicit RecordingApplication(CallLog& log)
        : log_(log), document(std::make_shared<RecordingDocument>(log)) {}
    CadResult<DocumentHandle> ActiveDocument() override { return DocumentHandle(document); }
    CadStatus SetWindowState(WindowState state) override {
        log_.push_back("window state " + std::to_string(static_cast<int>(state)));
        return {};
    }
    CadStatus SetVisible(bool visible) override {
        log_.push_back(std::string("app visible ") + (visible ? "1" : "0"));
        return {};
    }
    CadStatus ZoomExtents() override {
        log_.push_back("zoom");
        return {};
    }
    CadStatus Quit() override { return {}; }
    CadStatus BringToForeground() override { return {}; }

  private:
    CallLog& log_;

  public:
    const std::shared_ptr<RecordingDocument> document;
};

// Hands out one RecordingApplication per Create and remembers the identifiers asked for.
class RecordingLauncher : public CadLauncher {
  public:
    CadResult<ApplicationHandle> Create(std::string_view programmaticId) override {
        requestedIds.emplace_back(programmaticId);
        apps.push_back(std::make_shared<RecordingApplication>(log));
        return ApplicationHandle(apps.back());
    }
    CallLog log;
    std::vector<std::string> requestedIds;
    std::vector<std::shared_ptr<RecordingApplication>> apps;
};

// A launcher with no workspace to start.
class FailingLauncher : public CadLauncher {
  public:
    CadResult<ApplicationHandle> Create(std::string_view) override {
        return Fail(CadError{429, "Cannot create the component"});
    }
};

// Records what a build shows, one line per event ("value 6", "message Drawing tank...").
class RecordingFeedback : public BuildFeedback {
  public:
    void ShowProgressWindow() override { events.push_back("show"); }
    void SetProgressMaximum(int maximum) override {
        events.push_back("maximum " + std::to_string(maximum));
    }
    void SetProgressValue(int v) override {
        value = v;
        events.push_back("value " + std::to_string(v));
    }
    int ProgressValue() const override { return value; }
    void SetMessage(std::string_view text) override {
        events.push_back("message " + std::string(text));
    }
    void CloseProgressWindow() override { events.push_back("close"); }
    void ShowClosingMessage(std::string_view text) override {
        events.push_back("closing message");
        closingMessage = text;
    }

    std::vector<std::string> events;
    std::string closingMessage;
    int value = 0;
};

}  // namespace kestrava::cad::testing
