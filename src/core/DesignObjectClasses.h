#pragma once
// The design-object classes, declared for headers that only pass them around.

class CMain;
class CJib;
class CSpi;
class CHsf;
class CRig;
class CKeuningHYDRO;
class Sulnarsetup;
