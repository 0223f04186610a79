#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/vrect.h"
#include "runtime/vtext_style.h"
#include "script/cursor_array.h"
#include "script/script_reader.h"

class CVButton;
class WindowPlacer;

// The runtime document: the header settings of the script, every object and text style (owned
// by the two arrays), the tables that find them, the token list and the run state.
class CVistrelDoc {
public:
    CVistrelDoc() = default;
    CVistrelDoc(const CVistrelDoc&) = delete;
    CVistrelDoc& operator=(const CVistrelDoc&) = delete;

    // The two-phase open. The first call (made while the command line is processed) only
    // remembers the path as the start path. The second reads it: TVData.bin (recognised by its
    // magic number) or script text, then ParseScript. False when the file cannot be read or is
    // not a valid compiled file, or after a reported error when the report lets the reader go on.
    // A report that abandons ends the open with ScriptAbandoned.
    bool OnOpenDocument(const std::string& path);

    // Reads the header, the LEARN section and the scene markers of the DO section from the
    // token list. True when no error was reported. REQUIRES: the reader holds the script.
    bool ParseScript();

    // Lookups. Names are compared exactly.
    CVRect* FindObject(const std::string& name) const;
    int32_t FindIndex(const std::string& name) const;
    CVRect* ObjectAt(int32_t index) const { return objects_.At(index); }
    CVTextStyle* FindTextStyle(const std::string& name) const;
    int32_t FindScene(const std::string& identifier) const;
    // The marker of a scene that is about to run; a script error (the run ends) when the DO
    // section has none.
    int32_t SceneMarkerOrError(const std::string& identifier);

    // The folder of the start path joined with the media folder name, with a trailing separator.
    std::string MediaFolderPath() const;
    // The path of a media file named by the script; a built-in picture name (ending in "4") as
    // it is; the empty text, after the missing-resource message, when the file is nowhere.
    std::string ResolveMediaFile(const std::string& name) const;
    // Replaces "$MEDIA", or else "$PATH", in a browser address or program command line.
    std::string ExpandPath(const std::string& text) const;

    // REQUIRES: placer outlives the load. Null leaves the base frame unplaced.
    void SetWindowPlacer(WindowPlacer* placer) { placer_ = placer; }

    CScriptReader& Reader() { return reader_; }
    const CCursorArray<CVRect>& Objects() const { return objects_; }
    const CCursorArray<CVTextStyle>& TextStyles() const { return textStyles_; }
    const std::unordered_map<std::string, int32_t>& NameTable() const { return nameTable_; }
    const std::unordered_map<std::string, int32_t>& SceneTable() const { return sceneTable_; }

    // Header settings and load state, in declaration order.
    bool compiledData_ = false;
    std::string mediaFolder_ = "Media";
    std::string pendingScene_;
    std::vector<CVRect*> displayList_;  // objects on screen; owns nothing
    int32_t parseFrame_ = -1;
    int32_t startToken_ = -1;
    bool resume_ = false;
    int32_t deferredCommand_ = 0;
    std::string deferredArgument_;
    int32_t pause_ = 0;
    CVButton* pendingClick_ = nullptr;
    bool centring_ = true;
    std::string clickSound_;
    bool undo_ = false;
    bool automatic_ = true;
    bool preload_ = false;
    bool blackout_ = false;
    bool pen_ = false;
    std::string appName_;
    std::string version_;
    std::string author_;
    std::string comment_;

private:
    // The grammar (script_grammar.cpp, declarations.cpp).
    void ParseHeader();
    void ParseLearn();
    void ParseFrame();
    void ParseButton(int32_t keyword);
    void ParseAnimation();
    void ParseSound();
    void ParsePage();
    void ParseProgram();
    void ParseBrowser();
    void ParseScene();
    void ParseTextStyle();
    void ScanCommands();
    void RegisterName(const std::string& name, int32_t index = -1);
    // Reads a NAME value into the object just appended and registers it; returns the name.
    const std::string& NameObject(CVRect& object);

    // Value forms after an attribute keyword; each Expects its "=".
    std::string TextValue();
    int32_t NumberValue();
    std::pair<int32_t, int32_t> PairValue();
    bool SwitchValue();
    int32_t WordValue();
    Colour ParseColour();
    void CommandValue(int32_t& kind, std::string& argument, bool twoArguments);

    // Expect, ending the parse when it fails.
    void Want(int32_t kind);
    // A ">" straight after the keyword of a declaration is consumed; anything else is put back.
    void SkipTagEnd();
    // After a declaration's last attribute: a "<" there starts the closing tag "/" keyword ">",
    // where keyword 0 accepts any one token.
    void EndDeclaration(int32_t closingKeyword);
    template <class T>
    T* Append();

    void PlaceBase(CVRect& frame);

    CScriptReader reader_;
    std::unordered_map<std::string, int32_t> nameTable_;
    std::unordered_map<std::string, int32_t> sceneTable_;
    CCursorArray<CVRect> objects_;
    CCursorArray<CVTextStyle> textStyles_;
    WindowPlacer* placer_ = nullptr;
};

template <class T>
T* CVistrelDoc::Append() {
    auto object = std::make_unique<T>();
    T* raw = object.get();
    objects_.Add(std::move(object));
    return raw;
}
