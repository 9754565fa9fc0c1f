// Every field of the document, once, with what undo does with it. The undo history walks this
// table to compare, record and apply its steps; the kept session and the project write the fields
// as a list of their own says, which must name every field here. A field of Document missing
// here fails to compile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "model/document.h"

// An edit is taken back by undo; a setting (how the user likes to work) is left as it is.
enum class Undo : uint8_t { edit, setting };
// What undo marks for the views when it changes a unit of the field (a byte of the set, a cell):
// the glyph of that byte, the cell, or nothing, for a field the views compare themselves.
enum class Marks : uint8_t { nothing, glyphs, cells };

template <typename T> struct DocumentField {
    using Type = T;
    T Document::*member;
    const char* name;
    Undo undo;
    Marks marks;
};

template <typename T>
constexpr DocumentField<T> documentField(T Document::*member, const char* name, Undo undo,
                                         Marks marks = Marks::nothing) {
    return {member, name, undo, marks};
}

inline constexpr std::tuple documentFields{
    documentField(&Document::charset, "charset", Undo::edit, Marks::glyphs),
    documentField(&Document::mapCells, "mapCells", Undo::edit, Marks::cells),
    documentField(&Document::mapWidth, "mapWidth", Undo::edit),
    documentField(&Document::mapHeight, "mapHeight", Undo::edit),
    documentField(&Document::paperColor, "paperColor", Undo::edit),
    documentField(&Document::inkColor, "inkColor", Undo::edit),
    documentField(&Document::range, "range", Undo::setting),
    documentField(&Document::dragMode, "dragMode", Undo::setting),
    documentField(&Document::gridOnMap, "gridOnMap", Undo::setting),
    documentField(&Document::colorMode, "colorMode", Undo::edit),
    documentField(&Document::machineColors, "machineColors", Undo::edit),
    documentField(&Document::mapColors, "mapColors", Undo::edit, Marks::cells),
    documentField(&Document::pen, "pen", Undo::setting),
    documentField(&Document::textEncoding, "textEncoding", Undo::edit),
    documentField(&Document::c64Border, "c64Border", Undo::edit),
};
constexpr size_t documentFieldCount = std::tuple_size_v<decltype(documentFields)>;

// Row i of the table as a type, so that a visitor reads its columns in constant expressions:
// `if constexpr (decltype(row)::field.undo == Undo::edit)`.
template <size_t i> struct DocumentFieldRow {
    static constexpr size_t index = i;
    static constexpr const auto& field = std::get<i>(documentFields);
};

namespace document_fields_detail {

template <typename Visit, size_t... i>
constexpr void visitRows(Visit& visit, std::index_sequence<i...>) {
    (visit(DocumentFieldRow<i>{}), ...);
}
template <typename Holds, size_t... i>
constexpr bool allRows(Holds& holds, std::index_sequence<i...>) {
    return (holds(DocumentFieldRow<i>{}) && ...);
}

} // namespace document_fields_detail

// Calls visit(DocumentFieldRow<i>{}) for every row, in the table's order.
template <typename Visit> constexpr void forEachDocumentField(Visit&& visit) {
    document_fields_detail::visitRows(visit, std::make_index_sequence<documentFieldCount>{});
}

// Whether holds(DocumentFieldRow<i>{}) for every row; the first that fails ends the walk.
template <typename Holds> constexpr bool allDocumentFields(Holds&& holds) {
    return document_fields_detail::allRows(holds, std::make_index_sequence<documentFieldCount>{});
}

namespace document_fields_detail {

// Converts to the type of any member, so that `T{AnyMember{}...}` compiles with at most as many
// of them as T has members.
struct AnyMember {
    template <typename T> operator T() const;
};

template <typename T, typename... Members> constexpr size_t memberCount() {
    if constexpr (requires { T{Members{}..., AnyMember{}}; })
        return memberCount<T, Members..., AnyMember>();
    else
        return sizeof...(Members);
}

template <typename A, typename B>
constexpr bool sameField(const DocumentField<A>& a, const DocumentField<B>& b) {
    if constexpr (std::is_same_v<A, B>)
        return a.member == b.member;
    else
        return false;
}

// Each row names a field no other row names.
constexpr bool eachFieldOnce() {
    return std::apply(
        [](const auto&... row) {
            const auto namings = [](const auto& one) {
                return std::apply(
                    [&](const auto&... other) { return (sameField(one, other) + ...); },
                    documentFields);
            };
            return ((namings(row) == 1) && ...);
        },
        documentFields);
}

} // namespace document_fields_detail

// As many rows as the document has members, none twice: so every member has its row.
static_assert(document_fields_detail::memberCount<Document>() == documentFieldCount,
              "every field of Document needs its row in documentFields");
static_assert(document_fields_detail::eachFieldOnce(), "a field of Document has two rows");
