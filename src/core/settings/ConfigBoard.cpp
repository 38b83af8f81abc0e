#include "core/settings/ConfigBoard.h"

TConfigBoard::TConfigBoard() = default;

TConfigBoard::~TConfigBoard() = default;
