#pragma once
// The editing operations of the sail and rig objects: each opens its modal
// editor filled from the object and writes the controls back only on OK.

class CHsf;
class CJib;
class CMain;
class CRig;
class CSpi;

void editMainSail(CMain& sail);
void editJib(CJib& sail);
void editSpinnaker(CSpi& sail);
void editHeadsailSetFlying(CHsf& sail);
void editRig(CRig& rig);
