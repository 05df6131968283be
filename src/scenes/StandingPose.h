// StandingPose.h -- putting the figure's limbs back in the standing pose scene set-up gives them.
#pragma once

// Both legs reset to pace 1.1 with their set-up lengths, in the same phase.
void ResetFigureLegs();
// The legs as set-up leaves them: reset, the second leg half a cycle ahead, then one step each.
void StandFigureLegs();
// The arms as set-up leaves them: reset, the second arm half a cycle ahead, then one step each.
void StandFigureArms();
