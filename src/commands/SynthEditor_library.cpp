// The pattern library on the setup page: "Save" writes the current program into the library
// folder, "Load" pops up the folder's .syx files, listed afresh each time. A bank file asks
// for its bank, A first; each "no" offers the next one.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "../gui/GuiToolkit.h"
#include "PatternLibrary.h"

namespace
{
constexpr int kBanks = kNumPrograms / kPatternsPerBank;

// A leading '-' would make the entry a separator or a title of the menu.
bool showable(const std::string& file)
{
    return !file.empty() && file[0] != '-';
}
} // namespace

t_MenuItem editorControlsMenuItemCbk_LibraryFiles(SynthEditor* editor, std::uint32_t index, bool, bool apply)
{
    const std::string* file = editor->libraryFile(index);
    if (!file)
        return {0, nullptr};
    if (apply)
        editor->loadFromLibrary(*file);
    return {static_cast<std::int32_t>(index), file->c_str()};
}

const std::string* SynthEditor::libraryFile(std::uint32_t index) const
{
    return index < libraryFiles.size() ? &libraryFiles[index] : nullptr;
}

void SynthEditor::saveToLibrary()
{
    editorControlsLib_RemoveQuestion();
    patternLibrary::saveCurrentProgram(*synth);
}

void SynthEditor::openLibraryMenu()
{
    editorControlsLib_RemoveQuestion();
    libraryFiles.clear();
    for (std::string& file : patternLibrary::files())
        if (showable(file))
            libraryFiles.push_back(std::move(file));
    t_EditorControl* row = firstControlRow(EPARAM_LIBRARY_FILES);
    t_EditorParameter* e = synth->parameterLib_GetEditorParameter(EPARAM_LIBRARY_FILES);
    if (!row || !e || !frame)
        return;
    auto* m = static_cast<t_Menu_TypeStruct*>(const_cast<void*>(row->parameters));
    m->menu->removeAllEntry();
    m->menu->setStyle(m->menu->getStyle() & ~kCheckStyle); // files to load, not a choice that stays
    editorControlsLib_SubMenusAddEntries(e, m);
    if (libraryFiles.empty())
        return editorControlsLib_DisplayCurrentParameterInfo("No .syx files in the library");
    frame->openMenu(m->menu);
}

void SynthEditor::loadFromLibrary(const std::string& file)
{
    editorControlsLib_RemoveQuestion();
    SynthCommons::HistoryCommand command(*synth, nullptr);
    const t_LibraryResult result = patternLibrary::load(*synth, file);
    command.setLabel(result.message);
    if (result.outcome != LIBRARY_ASK_BANK)
        return;
    libraryBankFile = file;
    editorControlsLib_AskQuestion(QUESTION_LOAD_INTO_BANK_A);
}

void SynthEditor::answerBankQuestion(bool yes)
{
    const int bank = questionType - QUESTION_LOAD_INTO_BANK_A;
    editorControlsLib_RemoveQuestion();
    if (yes)
        patternLibrary::loadBank(*synth, libraryBankFile, bank);
    else if (bank + 1 < kBanks)
        editorControlsLib_AskQuestion(QUESTION_LOAD_INTO_BANK_A + bank + 1);
    else
        editorControlsLib_DisplayCurrentParameterInfo((libraryBankFile + ": not loaded").c_str());
}
