// head
//F    1    //f
long Fun_F( struct Service_Module* pModule )
{
    //##BeginSQL 改过的说明
    //##Beginning
    //##EndSQL
}


#if 0
//F    1    //f
long Fun_G( struct Service_Module* pModule )
{
    //##Begin
}
#endif
