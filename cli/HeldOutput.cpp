#include "cli/HeldOutput.h"

#include <iostream>

namespace {

thread_local std::ostream* t_pHeld = nullptr;

}  // namespace

std::ostream& FileOutput() {
    return t_pHeld ? *t_pHeld : std::cout;
}

CHeldOutput::CHeldOutput() : m_pOuter(t_pHeld) {
    t_pHeld = &m_text;
}

CHeldOutput::~CHeldOutput() {
    t_pHeld = m_pOuter;
}
