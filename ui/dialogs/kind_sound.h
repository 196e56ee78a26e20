#pragma once
// The sound of a message box's kind from the freedesktop sound theme; skipped quietly
// where no sound server answers.

enum class MessageKind;

void PlayKindSound(MessageKind kind);

// The theme's event id: "dialog-question", "dialog-warning", "dialog-error", "dialog-information".
const char* KindSoundId(MessageKind kind);
