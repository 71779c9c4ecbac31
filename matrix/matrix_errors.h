#pragma once
// The errors the matrix component raises. Each message is written for the researcher who pasted
// the numbers: it names the size asked for and, when reading, the row and item at fault.
#include "framework/core/runtime_exception.h"

RT_DECLARE_EXCEPTION(DivideByZeroException, rt::RuntimeException)
RT_DECLARE_EXCEPTION(NegativeNumberException, rt::RuntimeException)
RT_DECLARE_EXCEPTION(NegativeOrZeroException, rt::RuntimeException)
RT_DECLARE_EXCEPTION(BadEntryNumberException, rt::RuntimeException)
RT_DECLARE_EXCEPTION(OverflowOrUnderflowException, rt::RuntimeException)
RT_DECLARE_EXCEPTION(BadArgumentException, rt::RuntimeException)
RT_DECLARE_EXCEPTION(RowColumnMismatch, rt::RuntimeException)
