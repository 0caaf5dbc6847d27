#pragma once

#include "document/projectdocument.h"

#include <type_traits>
#include <utility>

// Typed access to the table of each kind, so that one template can work on every kind.

namespace qv {

template <class T> struct KindOf;
template <> struct KindOf<Title> {
    static constexpr ObjectKind value = ObjectKind::Title;
};
template <> struct KindOf<Field> {
    static constexpr ObjectKind value = ObjectKind::Field;
};
template <> struct KindOf<Notes> {
    static constexpr ObjectKind value = ObjectKind::Notes;
};
template <> struct KindOf<Combo> {
    static constexpr ObjectKind value = ObjectKind::Combo;
};
template <> struct KindOf<Picture> {
    static constexpr ObjectKind value = ObjectKind::Picture;
};
template <> struct KindOf<Checkbox> {
    static constexpr ObjectKind value = ObjectKind::Checkbox;
};
template <> struct KindOf<Square> {
    static constexpr ObjectKind value = ObjectKind::Square;
};
template <> struct KindOf<Line> {
    static constexpr ObjectKind value = ObjectKind::Line;
};
template <> struct KindOf<Button> {
    static constexpr ObjectKind value = ObjectKind::Button;
};
template <> struct KindOf<Script> {
    static constexpr ObjectKind value = ObjectKind::Script;
};

template <class T> ObjectTable<T>& tableOf(ProjectDocument& d)
{
    if constexpr (std::is_same_v<T, Title>)
        return d.titles;
    else if constexpr (std::is_same_v<T, Field>)
        return d.fields;
    else if constexpr (std::is_same_v<T, Notes>)
        return d.notes;
    else if constexpr (std::is_same_v<T, Combo>)
        return d.combos;
    else if constexpr (std::is_same_v<T, Picture>)
        return d.pictures;
    else if constexpr (std::is_same_v<T, Checkbox>)
        return d.checkboxes;
    else if constexpr (std::is_same_v<T, Square>)
        return d.squares;
    else if constexpr (std::is_same_v<T, Line>)
        return d.lines;
    else if constexpr (std::is_same_v<T, Button>)
        return d.buttons;
    else
        return d.scripts;
}

template <class T> const ObjectTable<T>& tableOf(const ProjectDocument& d)
{
    return tableOf<T>(const_cast<ProjectDocument&>(d));
}

template <class Table> struct RecordTypeOf;
template <class T> struct RecordTypeOf<ObjectTable<T>> {
    using type = T;
};
// The record type of a table: RecordType<decltype(table)>.
template <class Table> using RecordType = typename RecordTypeOf<std::remove_cvref_t<Table>>::type;

// Calls f(tag) once per kind with a value of the kind's record type as tag, in the order
// of the kind codes (Field, Notes, Combo, Picture, Checkbox, Title, Line, Square, Script,
// Button).
template <class F> void forEachKindType(F&& f)
{
    f(Field{});
    f(Notes{});
    f(Combo{});
    f(Picture{});
    f(Checkbox{});
    f(Title{});
    f(Line{});
    f(Square{});
    f(Script{});
    f(Button{});
}

// Calls f(table) with the table of `kind`.
template <class D, class F> decltype(auto) visitTable(D& d, ObjectKind kind, F&& f)
{
    switch (kind) {
    case ObjectKind::Field: return f(d.fields);
    case ObjectKind::Notes: return f(d.notes);
    case ObjectKind::Combo: return f(d.combos);
    case ObjectKind::Picture: return f(d.pictures);
    case ObjectKind::Checkbox: return f(d.checkboxes);
    case ObjectKind::Title: return f(d.titles);
    case ObjectKind::Line: return f(d.lines);
    case ObjectKind::Square: return f(d.squares);
    case ObjectKind::Script: return f(d.scripts);
    case ObjectKind::Button: break;
    }
    return f(d.buttons);
}

// The kinds in the order of their codes.
inline constexpr ObjectKind kAllKinds[] = {
    ObjectKind::Field,    ObjectKind::Notes, ObjectKind::Combo, ObjectKind::Picture,
    ObjectKind::Checkbox, ObjectKind::Title, ObjectKind::Line,  ObjectKind::Square,
    ObjectKind::Script,   ObjectKind::Button};

// Whether a record has a visible flag of its own.
template <class T> bool visibleFlag(const T& object)
{
    if constexpr (requires { object.visible; })
        return object.visible;
    else
        return true;
}

} // namespace qv
