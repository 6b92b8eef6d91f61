#pragma once

#include <string>

#include "common/fixed_list.h"

// The coefficient boxes of the polynomial calculator, named by the power they hold.
enum class CoefficientBox { X4, X3, X2, X, Constant };

// A root as computed, at full precision, with the radius of a disc around it that holds a
// true root of the polynomial as stored; `isolated` says that the disc overlaps no other
// root's disc, so that it holds exactly one root.
struct RootValue {
  double re = 0.0;
  double im = 0.0;
  double radius = 0.0;
  bool isolated = false;

  bool operator==(const RootValue&) const = default;
};

// The roots of one polynomial, of degree 4 at most.
using RootValues = FixedList<RootValue, 4>;

// What a solver's roots updates must carry: their texts with the roots shown and a proven disc
// each (the dialog, and the command line's JSON), or their texts alone (the command line's
// plain text), which lets the cubic and quartic skip the refinement wherever the closed forms'
// roots prove those texts by themselves, and leaves the roots shown out. The texts are the same
// wherever the refined roots print every digit right (see FinishRoots).
enum class RootsWanted { WithDiscs, TextsOnly };

// One thing a solver does to its dialog. A solver returns these in the order they happen,
// and the dialog carries them out in that order.
struct PolyEffect {
  enum class Kind {
    Message,    // a message box with `text`; the calculation goes on once it is closed
    ShowRoots,  // show the Roots group box, then the Roots box, then set its text to `text`
    WriteBack,  // set the text of `box` to `text` (the quadratic's "0."); not a user edit
  };
  Kind kind;
  std::string text;
  CoefficientBox box = CoefficientBox::Constant;  // only for WriteBack
  RootValues values = {};  // only for ShowRoots: the roots shown (none for RootsWanted::TextsOnly)

  bool operator==(const PolyEffect&) const = default;
};

// No solver has more than four effects: the quartic's two roots updates, each after a message.
using PolyEffects = FixedList<PolyEffect, 4>;

// Adds an effect of `kind` to `effects`, with an empty text and no roots, in the room of the
// effect that stood there before.
inline PolyEffect& AddEffect(PolyEffects& effects, PolyEffect::Kind kind,
                             CoefficientBox box = CoefficientBox::Constant) {
  PolyEffect& effect = effects.Next();
  effect.kind = kind;
  effect.text.clear();
  effect.box = box;
  effect.values.clear();
  return effect;
}
