#include "ui/dialogs/kind_sound.h"

#include <canberra.h>

#include "ui/dialogs/message_kinds.h"

namespace {

// One context for the run, opened at the first sound; none where it cannot be created.
ca_context* SoundContext() {
    static ca_context* context = [] {
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Vantor Calculator",
                                CA_PROP_APPLICATION_ID, "vantor-calculator", nullptr);
        return created;
    }();
    return context;
}

} // namespace

const char* KindSoundId(MessageKind kind) {
    switch (kind) {
    case MessageKind::Asks:
        return "dialog-question";
    case MessageKind::Warns:
        return "dialog-warning";
    case MessageKind::Stops:
        return "dialog-error";
    case MessageKind::Informs:
        break;
    }
    return "dialog-information";
}

void PlayKindSound(MessageKind kind) {
    if (ca_context* context = SoundContext())
        ca_context_play(context, 0, CA_PROP_EVENT_ID, KindSoundId(kind), CA_PROP_EVENT_DESCRIPTION,
                        "Calculator message", nullptr);
}
