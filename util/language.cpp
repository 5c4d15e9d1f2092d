#include "util/language.h"

int32_t UiLanguage = 2;

const char* InLanguage(const char* catalan, const char* english, const char* spanish) {
    switch (UiLanguage) {
        case 0: return catalan;
        case 1: return english;
        default: return spanish;
    }
}
