#include "AAX_CBinaryTaperDelegate.h"

template <class T>
AAX_CBinaryTaperDelegate<T>* AAX_CBinaryTaperDelegate<T>::Clone() const
{
  return new AAX_CBinaryTaperDelegate(*this);
}

template class AAX_CBinaryTaperDelegate<bool>;
