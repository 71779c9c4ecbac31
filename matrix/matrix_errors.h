#pragma once
// The errors the matrix component raises. Each message is written for the researcher who pasted
// the numbers: it names the size asked for and, when reading, the row and item at fault.
#include "framework/runtime_exception.h"

// RT_DECLARE_EXCEPTION inherits the base's constructors as Base::Base, which needs the base
// named without qualification; hence the namespace, whose classes are then made global.
namespace matrix_errors {

using rt::RuntimeException;

RT_DECLARE_EXCEPTION(DivideByZeroException, RuntimeException)
RT_DECLARE_EXCEPTION(NegativeNumberException, RuntimeException)
RT_DECLARE_EXCEPTION(NegativeOrZeroException, RuntimeException)
RT_DECLARE_EXCEPTION(BadEntryNumberException, RuntimeException)
RT_DECLARE_EXCEPTION(OverflowOrUnderflowException, RuntimeException)
RT_DECLARE_EXCEPTION(BadArgumentException, RuntimeException)
RT_DECLARE_EXCEPTION(RowColumnMismatch, RuntimeException)

} // namespace matrix_errors

using matrix_errors::BadArgumentException;
using matrix_errors::BadEntryNumberException;
using matrix_errors::DivideByZeroException;
using matrix_errors::NegativeNumberException;
using matrix_errors::NegativeOrZeroException;
using matrix_errors::OverflowOrUnderflowException;
using matrix_errors::RowColumnMismatch;
