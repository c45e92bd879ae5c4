// The command keys of normal play, resting and going.
#pragma once

#include "platform/keys.h"

void ProcessPlayer(InputEvent *ev);
void ProcessResting(InputEvent *ev);
void ProcessGoing(InputEvent *ev);
// One turn of regeneration.
void Regenerate();

// The keys' step: the direction (dy, dx) and a turn, carried out by ProcessPlayer once the
// frame's keys are read. (0, 0) waits a turn.
void StepPlayer(int dy, int dx);

// A walk that goes on by itself, a step a frame (going, and travel to a cell):
// A creature (not a corpse) stands at (x, y).
bool CreatureStandsAt(int x, int y);
// What the cell ahead holds: a creature stops the walk before it, an item lying there
// stops it once the step onto the item is taken.
enum AheadStop { AHEAD_CLEAR, AHEAD_CREATURE, AHEAD_ITEM };
AheadStop WhatLiesAhead(int x, int y);
// Any key but F1 ends the walk (back to normal mode); the repeat of a key held from
// before it began does not.
void StopOnAnyKey(InputEvent *ev);
// One step of the walk and that turn's healing.
void WalkOn(int dy, int dx);
