#include "records/inputref.h"

namespace qv {

namespace {

constexpr int kComboBase = 2000;
constexpr int kCheckboxBase = 4000;
constexpr int kNotesBase = 6000;
constexpr int kCodeSpan = 2000;

} // namespace

int ReferenceCodeOf(InputRef ref)
{
    switch (ref.kind) {
    case InputKind::Field: return ref.index;
    case InputKind::Combo: return kComboBase + ref.index;
    case InputKind::Checkbox: return kCheckboxBase + ref.index;
    case InputKind::Notes: return kNotesBase + ref.index;
    }
    return 0;
}

InputRef InputOfReferenceCode(int code)
{
    if (code >= 1 && code <= kCodeSpan)
        return {InputKind::Field, code};
    // 4000 is both Combo 2000 and Checkbox 0; the first check box is far the likelier.
    if (code > kComboBase && code < kCheckboxBase)
        return {InputKind::Combo, code - kComboBase};
    if (code >= kCheckboxBase && code <= kCheckboxBase + kCodeSpan)
        return {InputKind::Checkbox, code - kCheckboxBase};
    if (code > kNotesBase && code <= kNotesBase + kCodeSpan)
        return {InputKind::Notes, code - kNotesBase};
    return {InputKind::Field, 0};
}

} // namespace qv
