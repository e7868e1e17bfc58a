#pragma once

#include "criteria/RatingState.h"
#include "evaluation/EvaluationState.h"
#include "ideas/ClusterState.h"
#include "ideas/IChingState.h"
#include "ideas/MindStepState.h"
#include "ideas/PairingState.h"
#include "ideas/SuggestionState.h"
#include "reports/OutputFiles.h"

namespace quillane {

// The run state of every technique, kept beside the document for the whole
// run: the main window hands each dialog and command the states it works
// on. The evaluation's tables are large, so the owner keeps this off the
// stack.
struct RunStates {
  RatingState rating;
  SuggestionState suggestion;
  PairingState pairing;
  MindStepState mindStep;
  ClusterState cluster;
  EvaluationState evaluation;
  OutputFiles outputs;
  IChingState iching;  // lasts the whole run: New Session leaves it alone

  // New Session: every technique starts afresh, but the I Ching.
  void ResetForNewSession() {
    rating = {};
    suggestion = {};
    pairing = {};
    mindStep = {};
    cluster = {};
    evaluation = {};
    outputs = {};
  }
};

}  // namespace quillane
