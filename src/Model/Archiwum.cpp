#include "Archiwum.h"

#include "RelacjeModelu.h"

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_Archiwum.cpp"
