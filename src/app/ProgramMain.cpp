// Entry of the updater: the application on the real HID service.
#include "Main.h"

START_JUCE_APPLICATION (Application)
