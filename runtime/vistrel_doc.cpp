// The document's lookups, its two-phase open and the file names of the media it plays.
#include "runtime/vistrel_doc.h"

#include <filesystem>

#include "platform/message/message_display.h"
#include "runtime/file_lookup.h"
#include "runtime/runtime_globals.h"
#include "runtime/runtime_strings.h"
#include "runtime/script_error.h"
#include "script/tvscript_tool.h"

namespace {

// The folder beside the program where a built setup keeps the presentation's files.
constexpr const char kSetupFolder[] = "Setup/Tavrin/";

// The search goes on after each replacement rather than from the beginning again, which gives
// the same text unless a folder name itself holds the placeholder; restarting would then never end.
void ReplaceAll(std::string& text, const std::string& placeholder, const std::string& value) {
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
}

std::string WithoutFinalSeparator(std::string path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return path;
}

}  // namespace

bool CVistrelDoc::OnOpenDocument(const std::string& path) {
    RuntimeGlobals& globals = Globals();
    if (globals.firstOpen) {
        globals.firstOpen = false;
        globals.startPath = path;
        return true;
    }
    compiledData_ = IsCompiledDataFile(path);
    if (!reader_.OpenScript(path, compiledData_)) return false;
    return ParseScript();
}

CVRect* CVistrelDoc::FindObject(const std::string& name) const {
    return objects_.At(FindIndex(name));
}

int32_t CVistrelDoc::FindIndex(const std::string& name) const {
    auto it = nameTable_.find(name);
    return it == nameTable_.end() ? -1 : it->second;
}

CVTextStyle* CVistrelDoc::FindTextStyle(const std::string& name) const {
    for (const auto& style : textStyles_) {
        if (style->name == name) return style;
    }
    return nullptr;
}

int32_t CVistrelDoc::FindScene(const std::string& identifier) const {
    auto it = sceneTable_.find(identifier);
    return it == sceneTable_.end() ? -1 : it->second;
}

int32_t CVistrelDoc::SceneMarkerOrError(const std::string& identifier) {
    const int32_t index = FindScene(identifier);
    if (index < 0) ScriptError(reader_, kStringSceneMarkerMissing, identifier);
    return index;
}

std::string CVistrelDoc::MediaFolderPath() const {
    const std::string start = WithForwardSlashes(Globals().startPath);
    const size_t slash = start.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : start.substr(0, slash + 1);
    return folder + mediaFolder_ + "/";
}

std::string CVistrelDoc::ResolveMediaFile(const std::string& name) const {
    // Built-in pictures ("BGD.B4", "RNN.B4") are resources of the program, even when a file of
    // that name exists.
    if (name.size() > 2 && name.back() == '4') return name;
    std::string found = FindExistingFile(MediaFolderPath(), name);
    if (found.empty()) found = FindExistingFile(Globals().programFolder + kSetupFolder, name);
    if (found.empty()) ShowMessage(RuntimeString(kStringResourceMissing), name);
    return found;
}

std::string CVistrelDoc::ExpandPath(const std::string& text) const {
    std::string result = text;
    if (result.find("$MEDIA") != std::string::npos) {
        ReplaceAll(result, "$MEDIA", WithoutFinalSeparator(MediaFolderPath()));
    } else if (result.find("$PATH") != std::string::npos) {
        ReplaceAll(result, "$PATH", WithoutFinalSeparator(Globals().programFolder + kSetupFolder));
    }
    return result;
}
