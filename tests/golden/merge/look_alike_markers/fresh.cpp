// head
//F    1    //f
long Fun_F( struct Service_Module* pModule )
{
    //##BeginSQL
    //##EndSQL
}


