#pragma once
// Every phrase constant of the phrase tables, with the header it lives in.

#include "table/PhraseForms.h"

#include <vector>

struct PhraseEntry {
    const char *header;
    const char *name;
    const halvane::PhraseForms *forms;
};

const std::vector<PhraseEntry> &PhraseCatalog();
