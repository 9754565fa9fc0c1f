// Every field of the document does what its rows say: the session and the project keep it (all but
// ways of working), undo records an edit and takes it back, and restoring puts it in place. A
// member of Document without its rows does not compile; one this test cannot change fails here.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "files/project_file.h"
#include "files/session_file.h"
#include "model/document_fields.h"
#include "model/undo_history.h"

namespace {

// Differs from the start in every field, each of which alone is still read back: the map is 32 x
// 24 or 40 x 25, whichever size is taken.
Document everyFieldChanged() {
    Document d;
    for (size_t i = 0; i < d.charset.size(); ++i) d.charset[i] = uint8_t(i * 5 + 1);
    d.mapCells[0][0] = 1;
    d.mapCells[80][50] = 200;
    d.mapWidth = 32;
    d.mapHeight = 25;
    d.paperColor = 0x123456;
    d.inkColor = 0xFEDCBA;
    d.range = {250, 3, true};
    d.dragMode = DragMode::copy;
    d.gridOnMap = false;
    d.colorMode = ColorMode::spectrum;
    d.machineColors.atari[colpf2] = 0x3E;
    d.mapColors[80][50] = 0x47;
    d.pen = 1;
    d.textEncoding.characters[7] = U'\U0001F600';
    d.c64Border = 2;
    return d;
}

// As the program always had it: undo leaves these settings alone, the files only the drag.
const std::set<std::string> settings{"range", "dragMode", "gridOnMap", "pen"};
const std::set<std::string> unkept{"dragMode"};

TEST(DocumentFields, EachIsKeptRecordedAndPutBackAsItsRowsSay) {
    const Document start, changed = everyFieldChanged();
    const Session startSession{start, 0};
    forEachDocumentField([&](auto row) {
        const auto& field = decltype(row)::field;
        const std::string name = field.name;
        ASSERT_NE(changed.*field.member, start.*field.member) << name << " is not changed above";
        Document one = start;
        one.*field.member = changed.*field.member;
        const Session session{one, 0};

        const bool kept = !unkept.contains(name);
        EXPECT_EQ(encodeSession(session) != encodeSession(startSession), kept) << name;
        EXPECT_EQ(encodeProject(session) != encodeProject(startSession), kept) << name;
        for (const SessionReading& reading :
             {decodeSession(encodeSession(session)), decodeProject(encodeProject(session))}) {
            Document placed = start;
            placeKeptFields(placed, reading.session.document);
            EXPECT_EQ(placed == one, kept) << name;
        }

        const bool edit = !settings.contains(name);
        EXPECT_EQ(field.undo == Undo::edit, edit) << name;
        UndoHistory history;
        ASSERT_EQ(history.record(start, one), edit) << name;
        if (!edit) return;
        Document undone = one;
        Changes changes;
        history.undo(undone, changes);
        EXPECT_EQ(undone, start) << name;
        history.redo(undone, changes);
        EXPECT_EQ(undone, one) << name;
    });
}

} // namespace
